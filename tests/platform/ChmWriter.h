#pragma once
// Writes a minimal compiled help file: every file stored uncompressed in one directory chunk.
#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace chmwriter {

inline void PutLe(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline void PutEncInt(std::string& out, std::uint64_t value)
{
    std::string groups(1, static_cast<char>(value & 0x7F));
    while (value >>= 7)
        groups.insert(groups.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    out += groups;
}

// `files` maps paths ("/frmMain.htm") to their bytes.
inline void Write(const std::string& path, const std::map<std::string, std::string>& files)
{
    constexpr std::uint32_t cBlockLen = 0x1000;
    std::string content, entries;
    for (const auto& [name, bytes] : files) {
        PutEncInt(entries, name.size());
        entries += name;
        PutEncInt(entries, 0);
        PutEncInt(entries, content.size());
        PutEncInt(entries, bytes.size());
        content += bytes;
    }
    std::string chunk = "PMGL";
    PutLe(chunk, cBlockLen - 0x14 - entries.size(), 4);
    PutLe(chunk, 0, 4);
    PutLe(chunk, 0xFFFFFFFF, 4);
    PutLe(chunk, 0xFFFFFFFF, 4);
    chunk += entries;
    chunk.resize(cBlockLen, '\0');

    std::string directory = "ITSP";
    PutLe(directory, 1, 4);
    PutLe(directory, 0x54, 4);
    PutLe(directory, 0x0A, 4);
    PutLe(directory, cBlockLen, 4);
    PutLe(directory, 2, 4);
    PutLe(directory, 1, 4);
    PutLe(directory, 0xFFFFFFFF, 4);
    PutLe(directory, 0, 4);
    PutLe(directory, 0xFFFFFFFF, 4);
    PutLe(directory, 1, 4);
    PutLe(directory, 0x0409, 4);
    directory.resize(0x54, '\0');
    directory += chunk;

    constexpr std::uint64_t cHeaderLen = 0x60, cSection0Len = 0x18;
    const std::uint64_t dirOffset = cHeaderLen + cSection0Len;
    const std::uint64_t dataOffset = dirOffset + directory.size();
    std::string header = "ITSF";
    PutLe(header, 3, 4);
    PutLe(header, cHeaderLen, 4);
    PutLe(header, 1, 4);
    PutLe(header, 0, 4);
    PutLe(header, 0x0409, 4);
    header.append(32, '\0');
    PutLe(header, cHeaderLen, 8);
    PutLe(header, cSection0Len, 8);
    PutLe(header, dirOffset, 8);
    PutLe(header, directory.size(), 8);
    PutLe(header, dataOffset, 8);
    std::string section0;
    PutLe(section0, 0x01FE, 4);
    PutLe(section0, 0, 4);
    PutLe(section0, dataOffset + content.size(), 8);
    PutLe(section0, 0, 8);
    section0.resize(cSection0Len, '\0');

    std::ofstream(path, std::ios::binary) << header << section0 << directory << content;
}

}  // namespace chmwriter
