// The one seam between the programs and the operating system. Everything the
// programs ask of the host goes through the functions declared here; one
// backend per platform (edge/posix, edge/win32) implements them. No system
// header is included here.
//
// The programs see a Windows host: paths and arguments are Windows-1251 byte
// strings in Windows form (backslash separators), console text is code page
// 866 bytes, and failures are Windows system error codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace edge {

// A Windows system error code; kOk means success.
using OsError = uint32_t;
inline constexpr OsError kOk = 0;
inline constexpr OsError kErrorFileNotFound = 2;
inline constexpr OsError kErrorPathNotFound = 3;
inline constexpr OsError kErrorTooManyOpenFiles = 4;
inline constexpr OsError kErrorAccessDenied = 5;
inline constexpr OsError kErrorInvalidHandle = 6;
inline constexpr OsError kErrorSharingViolation = 32;
inline constexpr OsError kErrorDiskFull = 112;
inline constexpr OsError kErrorInvalidName = 123;
inline constexpr OsError kErrorFilenameTooLong = 206;
inline constexpr OsError kErrorNoData = 232;  // the reader of a pipe has gone

// The file functions refuse paths of this many bytes or more, the limit of
// the Windows ANSI file functions, the same way on every platform.
inline constexpr size_t kMaxPathBytes = 260;

// An owned handle of an open file or standard stream. Closing it is the
// caller's job through CloseFile, so that a failure there can be reported;
// the destructor only releases what was left open on an error path.
class File {
 public:
  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool is_open() const { return handle_ != kNoHandle; }
  // True when the handle is an interactive console (a terminal on POSIX).
  bool is_console() const { return is_console_; }

  // For the backends only.
  static constexpr intptr_t kNoHandle = -1;
  File(intptr_t handle, bool owned, bool is_console)
      : handle_(handle), owned_(owned), is_console_(is_console) {}
  intptr_t handle() const { return handle_; }
  bool owned() const { return owned_; }
  void Release() { handle_ = kNoHandle; }

 private:
  intptr_t handle_ = kNoHandle;
  bool owned_ = false;  // standard streams are borrowed, never closed
  bool is_console_ = false;
};

enum class StandardStream { kInput, kOutput, kError };

// A borrowed handle of a standard stream; closing it does nothing.
File OpenStandardStream(StandardStream stream);

// Opens an existing file for reading only, shared for reading (another
// process may read it, not write it). An empty path gives standard input.
// Fails with kErrorFilenameTooLong for paths of kMaxPathBytes or more, with
// kErrorInvalidName for a path holding a NUL byte (the system would read only
// the part before it, another file), and with kErrorAccessDenied for a folder.
OsError OpenForReading(std::string_view path, File* file);

// Creates a file for writing, replacing an existing one; other processes may
// read it while it is open. Fails like OpenForReading for long paths.
OsError CreateForWriting(std::string_view path, File* file);

// Reads up to `capacity` bytes; `*count` is 0 at the end of the input.
OsError ReadFromFile(File& file, char* buffer, size_t capacity, size_t* count);

// Writes all bytes or fails. On a POSIX terminal the bytes are shown as a
// code page 866 console shows them.
OsError WriteToFile(File& file, std::string_view bytes);

// Closes an owned handle; a borrowed one is only forgotten.
OsError CloseFile(File& file);

// The program's arguments split as Windows splits a command line; element 0
// is the full path of the program's own file.
std::vector<std::string> ProgramArguments();

// The full path of the program's own file.
std::string OwnExecutablePath();

// The current user's Desktop folder as the host records it, unchanged; empty
// when there is none. Fails only when the record has a type that is not text.
enum class DesktopLookup { kFound, kWrongType };
DesktopLookup DesktopFolder(std::string* folder);

// Shows text written to `console` afterwards in the Windows console text
// attribute `attribute` and returns the attribute in force before, for
// RestoreConsoleAttribute. Neither call fails; both do nothing when the
// handle is not a console. Flush pending text before each call.
uint16_t SetConsoleAttribute(File& console, uint16_t attribute);
void RestoreConsoleAttribute(File& console, uint16_t saved);

// Whether the file `name` in the current folder can be opened for reading and
// writing (existing files only, shared for reading and writing); the open is
// closed again at once. *opened tells the result of the open; the result is
// the error of the close.
OsError ProbeReadWrite(std::string_view name, bool* opened);

// Starts `program` with `arguments` (the text after the program name on the
// command line) in a new process group, with this process's environment and
// current folder, inheriting no handle, and does not wait for it. The
// program is searched for as Windows searches for the first word of a
// command line: the folder of this program, the current folder, the system
// folders and PATH. False when nothing was started.
bool StartDetached(std::string_view program, std::string_view arguments);

// Ends the process with `code`. Flush streams first.
[[noreturn]] void ExitProcess(int code);

}  // namespace edge
