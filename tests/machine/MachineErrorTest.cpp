#include "MachineError.h"

#include <gtest/gtest.h>

#include <string>

namespace tessivar {
namespace {

TEST(ErrorBoxTextTest, AppendsFullStopAfterCharactersAboveIt)
{
    const std::pair<std::string, std::string> cases[] = {
        {"範囲チェックエラー", "範囲チェックエラー."},
        {"整数のオーバーフロー", "整数のオーバーフロー."},
        {"error", "error."},
        {"path/", "path/."},
        {"0", "0."},
        {"done.", "done."},
        {"dash-", "dash-"},
        {"comma,", "comma,"},
        {"blank ", "blank "},
        {"", ""},
    };
    for (const auto& [message, shown] : cases) {
        EXPECT_EQ(ErrorBoxText(message), shown) << message;
    }
}

TEST(MachineErrorTest, FixedMessages)
{
    EXPECT_EQ(RangeCheckError().kind, MachineError::Kind::RangeCheck);
    EXPECT_EQ(Text(RangeCheckError().message), "範囲チェックエラー");
    EXPECT_EQ(SetOverflowError().kind, MachineError::Kind::IntegerOverflow);
    EXPECT_EQ(Text(SetOverflowError().message), "整数のオーバーフロー");
    EXPECT_EQ(NothingToExecuteError().kind, MachineError::Kind::NothingToExecute);
    EXPECT_EQ(Text(NothingToExecuteError().message), "セットしてください。");
}

TEST(MachineErrorTest, StepMessagesNameLineAndRegister)
{
    const MachineError missing = RegisterNumberError(5, 300);
    EXPECT_EQ(missing.kind, MachineError::Kind::RegisterNumber);
    EXPECT_EQ(Text(missing.message), "5 行目: レジスタ R(300) はありません（R(1)〜R(256)）");
    const MachineError overflow = StepOverflowError(3, 1);
    EXPECT_EQ(overflow.kind, MachineError::Kind::IntegerOverflow);
    EXPECT_EQ(Text(overflow.message), "3 行目: R(1) の値が 64 ビット整数の範囲を超えます（整数のオーバーフロー）");
}

} // namespace
} // namespace tessivar
