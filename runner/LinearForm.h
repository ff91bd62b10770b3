#pragma once

#include "WideMath.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace tessivar {

// c + a1·x1 + a2·x2 + …: a value a loop's pass computes, as an integer
// affine function of the registers x as they stood when the pass began.
// Small by design: a form that would need more terms or larger numbers than
// a summary can check becomes invalid, and every form made from it too.
class LinearForm {
public:
    static constexpr int kMostTerms = 6;
    static constexpr std::int64_t kLargestCoefficient = std::int64_t{1} << 31;
    static constexpr Wide kLargestConstant = Wide{1} << 100;

    struct Term {
        std::uint8_t index = 0; // 0-based register
        std::int64_t coefficient = 0;
    };

    LinearForm() = default; // 0
    static LinearForm Constant(Wide value);
    static LinearForm Register(std::uint8_t index);

    bool Valid() const { return valid_; }
    bool IsConstant() const { return count_ == 0; }
    Wide ConstantTerm() const { return constant_; }
    std::span<const Term> Terms() const { return {terms_.data(), count_}; }
    std::int64_t CoefficientOf(std::uint8_t index) const;

    LinearForm operator+(const LinearForm& other) const;
    LinearForm operator-(const LinearForm& other) const { return *this + other * -1; }
    LinearForm operator+(Wide value) const { return *this + Constant(value); }
    LinearForm operator-(Wide value) const { return *this + Constant(-value); }
    LinearForm operator*(Wide factor) const;
    // The form divided by `divisor`, invalid unless every coefficient and the
    // constant divide by it.
    LinearForm ExactQuotient(Wide divisor) const;

    // The value for the registers `x` (indexed by register); nothing when a
    // product or sum leaves 128 bits.
    template <typename Values> std::optional<Wide> Evaluate(const Values& x) const;

    friend bool operator==(const LinearForm&, const LinearForm&);

private:
    static LinearForm Invalid();

    std::array<Term, kMostTerms> terms_{}; // by register, none with coefficient 0
    std::uint8_t count_ = 0;
    bool valid_ = true;
    Wide constant_ = 0;
};

template <typename Values> std::optional<Wide> LinearForm::Evaluate(const Values& x) const
{
    if (!valid_) {
        return std::nullopt;
    }
    std::optional<Wide> value = constant_;
    for (const Term& term : Terms()) {
        const std::optional<Wide> product = Product(term.coefficient, Wide{x[term.index]});
        value = product ? Sum(*value, *product) : std::nullopt;
        if (!value) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace tessivar
