# Fails when a C++ source of the project differs from what clang-format
# makes of it. Run as: cmake -DCLANG_FORMAT=... -DSOURCE_DIR=... -P this file.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/edge/*.cc ${SOURCE_DIR}/edge/*.h
  ${SOURCE_DIR}/airtally/*.cc ${SOURCE_DIR}/airtally/*.h
  ${SOURCE_DIR}/clipweld/*.cc ${SOURCE_DIR}/clipweld/*.h
  ${SOURCE_DIR}/fuzz/*.cc ${SOURCE_DIR}/fuzz/*.h
  ${SOURCE_DIR}/tests/*.cc ${SOURCE_DIR}/tests/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-format would change the files above: run clang-format -i on them")
endif()
