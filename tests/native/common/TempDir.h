// A fresh folder under the system's temporary folder for one test, removed
// again with everything in it.
#pragma once
#include <filesystem>
#include <string>
#include <system_error>

class CTestTempDir {
public:
    explicit CTestTempDir(const char* pszPrefix = "almanark-") {
        std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int i = 0;; ++i) {
            m_path = base / (pszPrefix + std::to_string(i));
            if (std::filesystem::create_directory(m_path))
                break;
        }
    }
    ~CTestTempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    CTestTempDir(const CTestTempDir&) = delete;
    CTestTempDir& operator=(const CTestTempDir&) = delete;

    std::string File(const char* pszName) const { return (m_path / pszName).string(); }
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};
