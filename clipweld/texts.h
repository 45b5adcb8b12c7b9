// Every fixed text of clipweld, as the bytes it writes. All of it is ASCII.
#pragma once

#include <array>
#include <string_view>

namespace clipweld {

// The script's name and the text put after the executable's folder.
inline constexpr std::string_view kScriptName = "mergevid.vcf";
inline constexpr std::string_view kScriptNameAfterFolder = "\\mergevid.vcf";

// The pieces around an escaped path on the script's lines.
// VirtualDub.Open("  ...  ","",0);
inline constexpr std::string_view kOpenPrefix = "VirtualDub.Open(\"";
inline constexpr std::string_view kOpenSuffix = "\",\"\",0);";
// VirtualDub.Append("  ...  ");
inline constexpr std::string_view kAppendPrefix = "VirtualDub.Append(\"";
// Ends both the Append and the SaveAVI line.
inline constexpr std::string_view kAppendSuffix = "\");";
// VirtualDub.SaveAVI("  ...  ");
inline constexpr std::string_view kSavePrefix = "VirtualDub.SaveAVI(\"";
inline constexpr std::string_view kCloseLine = "VirtualDub.Close();";

// The settings block in its order. Join mode writes the first seven, the
// seventh without a line end; re-save mode all eight.
inline constexpr std::array<std::string_view, 8> kSettingsLines = {
    "VirtualDub.audio.SetSource(1);",     "VirtualDub.audio.SetMode(0);",
    "VirtualDub.audio.SetCompression();", "VirtualDub.video.SetCompression();",
    "VirtualDub.video.SetMode(0);",       "VirtualDub.video.filters.Clear();",
    "VirtualDub.audio.filters.Clear();",  "VirtualDub.video.SetRange();",
};

inline constexpr std::string_view kLineEnd = "\r\n";

// The program started at the end, and what follows it on its command line:
// the bare script name, found in the current folder.
inline constexpr std::string_view kVirtualDubProgram = "virtualdub.exe";
inline constexpr std::string_view kVirtualDubArguments = " /s mergevid.vcf";

}  // namespace clipweld
