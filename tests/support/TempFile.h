// Temporary files and folders for tests, removed when the guard goes out of scope.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // Writes the bytes to a file in the folder and returns its path.
    std::string Write(const std::string& name, std::string_view bytes) const {
        std::filesystem::path p = m_path / name;
        std::ofstream out(p, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p.string();
    }

  private:
    std::filesystem::path m_path;
};

// One temporary file with the given bytes.
class TempFile {
  public:
    explicit TempFile(std::string_view bytes, const std::string& name = "data.txt")
        : m_path(m_dir.Write(name, bytes)) {}
    const std::string& path() const { return m_path; }

  private:
    TempDir m_dir;
    std::string m_path;
};
