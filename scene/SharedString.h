#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace tessivar::scene {

// An immutable string shared by reference. Clones of a template share the
// template's property path and text instead of copying them; the count is not
// atomic because the scene lives on the user-interface thread only.
class SharedString {
public:
    SharedString() = default;
    SharedString(std::string_view text); // NOLINT: converts like std::string
    SharedString(const char* text) : SharedString(std::string_view(text)) {}
    SharedString(const std::string& text) : SharedString(std::string_view(text)) {}
    SharedString(const SharedString& other) noexcept;
    SharedString(SharedString&& other) noexcept;
    SharedString& operator=(const SharedString& other) noexcept;
    SharedString& operator=(SharedString&& other) noexcept;
    ~SharedString();

    std::string_view View() const { return rep_ ? std::string_view(rep_->text) : std::string_view(); }
    const std::string& Str() const;
    bool Empty() const { return rep_ == nullptr; }
    // Whether both refer to the same stored text (not merely equal text).
    bool SharesWith(const SharedString& other) const { return rep_ == other.rep_; }

    friend bool operator==(const SharedString& a, const SharedString& b) { return a.View() == b.View(); }
    friend bool operator==(const SharedString& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const SharedString& a, const char* b) { return a.View() == b; }
    friend bool operator==(const SharedString& a, const std::string& b) { return a.View() == b; }
    friend std::ostream& operator<<(std::ostream& out, const SharedString& s);

private:
    struct Rep {
        std::uint32_t references;
        std::string text;
    };
    void Release() noexcept;

    Rep* rep_ = nullptr; // nullptr for the empty string
};

} // namespace tessivar::scene
