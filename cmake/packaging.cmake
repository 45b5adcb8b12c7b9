# The release zip of the Windows build: the programs and the operators'
# guide. After the mingw build, `cpack --preset mingw` writes
# build/mingw/airdesk-<version>-win64.zip.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Every program of the project that this build has.
foreach(program airtally clipweld)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION .)
  endif()
endforeach()

set(guide_source ${PROJECT_SOURCE_DIR}/docs/operators-guide-ru.txt)
set(guide ${CMAKE_BINARY_DIR}/operators-guide-ru.txt)
add_custom_command(OUTPUT ${guide}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/windows_text.py ${guide_source} ${guide}
  DEPENDS ${guide_source} ${CMAKE_CURRENT_LIST_DIR}/windows_text.py
  COMMENT "Operators' guide in code page 1251")
add_custom_target(operators_guide ALL DEPENDS ${guide})
install(FILES ${guide} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME airdesk)
set(CPACK_PACKAGE_VENDOR "Air department")
set(CPACK_PACKAGE_FILE_NAME airdesk-${PROJECT_VERSION}-win64)
include(CPack)

# The zip as the operators get it: its programs import only system DLLs and
# run under Wine.
add_test(NAME package.zip
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/tools/check_package.py
    --cpack ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    --objdump ${CMAKE_OBJDUMP} --wine-root ${CMAKE_BINARY_DIR}/wine
    --work ${CMAKE_BINARY_DIR}/package-check)
set_tests_properties(package.zip PROPERTIES
  LABELS "wine;package" FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine_prefix)
