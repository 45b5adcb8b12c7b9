// Tests only: a fresh folder under the build tree's temporary area, removed
// afterwards, and files in it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace edge::test_support {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` to the file `name` in the folder; returns its host path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // The bytes of the file `name` in the folder.
  std::string Read(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace edge::test_support
