#include "LinearForm.h"

namespace tessivar {

namespace {

bool WithinBound(Wide value, Wide bound)
{
    return value <= bound && value >= -bound;
}

} // namespace

LinearForm LinearForm::Invalid()
{
    LinearForm form;
    form.valid_ = false;
    return form;
}

LinearForm LinearForm::Constant(Wide value)
{
    if (!WithinBound(value, kLargestConstant)) {
        return Invalid();
    }
    LinearForm form;
    form.constant_ = value;
    return form;
}

LinearForm LinearForm::Register(std::uint8_t index)
{
    LinearForm form;
    form.terms_[0] = {.index = index, .coefficient = 1};
    form.count_ = 1;
    return form;
}

std::int64_t LinearForm::CoefficientOf(std::uint8_t index) const
{
    for (const Term& term : Terms()) {
        if (term.index == index) {
            return term.coefficient;
        }
    }
    return 0;
}

// Merges the two lists of terms, both ordered by register.
LinearForm LinearForm::operator+(const LinearForm& other) const
{
    if (!valid_ || !other.valid_ || !WithinBound(constant_ + other.constant_, kLargestConstant)) {
        return Invalid();
    }
    LinearForm sum;
    sum.constant_ = constant_ + other.constant_;
    const std::span<const Term> left = Terms();
    const std::span<const Term> right = other.Terms();
    std::size_t l = 0;
    std::size_t r = 0;
    while (l < left.size() || r < right.size()) {
        Term term;
        if (r == right.size() || (l < left.size() && left[l].index < right[r].index)) {
            term = left[l++];
        } else if (l == left.size() || right[r].index < left[l].index) {
            term = right[r++];
        } else {
            term = {.index = left[l].index, .coefficient = left[l].coefficient + right[r].coefficient};
            ++l;
            ++r;
        }
        if (term.coefficient == 0) {
            continue;
        }
        if (sum.count_ == kMostTerms || !WithinBound(term.coefficient, kLargestCoefficient)) {
            return Invalid();
        }
        sum.terms_[sum.count_++] = term;
    }
    return sum;
}

LinearForm LinearForm::operator*(Wide factor) const
{
    if (!valid_ || factor == 0) {
        return valid_ ? LinearForm() : Invalid();
    }
    const std::optional<Wide> constant = Product(constant_, factor);
    if (!constant || !WithinBound(*constant, kLargestConstant)) {
        return Invalid();
    }
    LinearForm scaled = *this;
    scaled.constant_ = *constant;
    for (Term& term : std::span(scaled.terms_.data(), scaled.count_)) {
        const std::optional<Wide> coefficient = Product(term.coefficient, factor);
        if (!coefficient || !WithinBound(*coefficient, kLargestCoefficient)) {
            return Invalid();
        }
        term.coefficient = static_cast<std::int64_t>(*coefficient);
    }
    return scaled;
}

LinearForm LinearForm::ExactQuotient(Wide divisor) const
{
    if (!valid_ || divisor == 0 || constant_ % divisor != 0) {
        return Invalid();
    }
    LinearForm quotient = *this;
    quotient.constant_ = constant_ / divisor;
    for (Term& term : std::span(quotient.terms_.data(), quotient.count_)) {
        if (term.coefficient % divisor != 0) {
            return Invalid();
        }
        term.coefficient = static_cast<std::int64_t>(term.coefficient / divisor);
    }
    return quotient;
}

bool operator==(const LinearForm& a, const LinearForm& b)
{
    if (!a.valid_ || !b.valid_ || a.constant_ != b.constant_ || a.count_ != b.count_) {
        return false;
    }
    for (std::size_t i = 0; i < a.count_; ++i) {
        if (a.terms_[i].index != b.terms_[i].index || a.terms_[i].coefficient != b.terms_[i].coefficient) {
            return false;
        }
    }
    return true;
}

} // namespace tessivar
