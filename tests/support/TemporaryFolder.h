#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tessivar::test {

// A fresh folder under the system's temporary folder, removed with everything in
// it when the object goes.
class TemporaryFolder {
public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    const std::filesystem::path& Path() const { return path_; }
    // The full path of `name` inside the folder.
    std::string File(std::string_view name) const;

private:
    std::filesystem::path path_;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
// The names in `folder`, sorted.
std::string ListFolder(const std::filesystem::path& folder);

} // namespace tessivar::test
