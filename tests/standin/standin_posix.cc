// Tests only (POSIX): stands in for virtualdub.exe. Appends to the file
// "standin-record.txt" in its current folder what it was started with, then
// closes its standard streams (so nobody waiting for their end waits for it)
// and, while a file "standin-hold" exists there, waits for it to go away, at
// most 30 seconds, before it records that it finished.
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  std::string record;
  for (int i = 0; i < argc; ++i) record += std::string(i ? "|" : "argv: ") + argv[i];
  char folder[PATH_MAX] = "";
  if (!getcwd(folder, sizeof folder)) folder[0] = '\0';
  record += std::string("\ncwd: ") + folder;
  record += "\nown: " + std::filesystem::read_symlink("/proc/self/exe").string();
  record += std::string("\nnew_group: ") + (getpgrp() == getpid() ? "yes" : "no");
  const char* tag = getenv("STANDIN_TAG");
  record += std::string("\ntag: ") + (tag ? tag : "");
  record += "\nfds:";
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    const std::string fd = entry.path().filename().string();
    // The descriptor the listing itself has open is not inherited.
    if (std::filesystem::read_symlink(entry.path()).string().find("/proc/") != 0) {
      record += " " + fd;
    }
  }
  record += "\n";
  std::ofstream("standin-record.txt", std::ios::app) << record << std::flush;
  for (int fd = 0; fd < 3; ++fd) close(fd);
  for (int waited = 0; waited < 300 && std::filesystem::exists("standin-hold"); ++waited) {
    usleep(100 * 1000);
  }
  std::ofstream("standin-record.txt", std::ios::app) << "finished\n";
  return 0;
}
