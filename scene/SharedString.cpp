#include "SharedString.h"

#include <ostream>
#include <utility>

namespace tessivar::scene {

SharedString::SharedString(std::string_view text) : rep_(text.empty() ? nullptr : new Rep{1, std::string(text)})
{}

SharedString::SharedString(const SharedString& other) noexcept : rep_(other.rep_)
{
    if (rep_)
        ++rep_->references;
}

SharedString::SharedString(SharedString&& other) noexcept : rep_(std::exchange(other.rep_, nullptr))
{}

SharedString& SharedString::operator=(const SharedString& other) noexcept
{
    SharedString copy(other);
    std::swap(rep_, copy.rep_);
    return *this;
}

SharedString& SharedString::operator=(SharedString&& other) noexcept
{
    SharedString taken(std::move(other));
    std::swap(rep_, taken.rep_);
    return *this;
}

SharedString::~SharedString()
{
    Release();
}

const std::string& SharedString::Str() const
{
    static const std::string empty;
    return rep_ ? rep_->text : empty;
}

std::ostream& operator<<(std::ostream& out, const SharedString& s)
{
    return out << s.View();
}

void SharedString::Release() noexcept
{
    if (rep_ && --rep_->references == 0)
        delete rep_;
    rep_ = nullptr;
}

} // namespace tessivar::scene
