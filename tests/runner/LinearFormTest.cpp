#include "LinearForm.h"

#include <gtest/gtest.h>

#include <array>

namespace tessivar {
namespace {

// x1 + 2·x3 - 5, evaluated, added, scaled and divided.
TEST(LinearFormTest, ArithmeticKeepsTermsByRegisterAndDropsZeros)
{
    const LinearForm form = LinearForm::Register(0) + LinearForm::Register(2) * 2 - 5;
    const std::array<Wide, 4> x{10, 0, 7, 0};
    EXPECT_EQ(form.Evaluate(x), Wide{19});
    EXPECT_EQ(form.CoefficientOf(2), 2);
    EXPECT_TRUE((form - LinearForm::Register(0)).Terms().size() == 1);
    EXPECT_TRUE((form - form).IsConstant());
    EXPECT_EQ((form - form).ConstantTerm(), 0);
    EXPECT_EQ((form * 3).ExactQuotient(3), form);
    EXPECT_FALSE(form.ExactQuotient(2).Valid()) << "x1 does not divide by 2";
}

// A form a summary cannot check becomes invalid, and so does all made from it.
TEST(LinearFormTest, TooManyTermsOrTooLargeNumbersMakeItInvalid)
{
    LinearForm many;
    for (std::uint8_t index = 0; index <= LinearForm::kMostTerms; ++index) {
        many = many + LinearForm::Register(index);
    }
    EXPECT_FALSE(many.Valid());
    EXPECT_FALSE((many - many).Valid());
    EXPECT_FALSE((LinearForm::Register(1) * LinearForm::kLargestCoefficient * 2).Valid());
    EXPECT_FALSE(LinearForm::Constant(LinearForm::kLargestConstant + 1).Valid());
    EXPECT_FALSE((LinearForm::Constant(LinearForm::kLargestConstant) * 2).Valid());
    const std::array<Wide, 1> huge{Wide{1} << 100};
    EXPECT_FALSE((LinearForm::Register(0) * (Wide{1} << 30)).Evaluate(huge)) << "past 128 bits";
}

} // namespace
} // namespace tessivar
