#include "MachineError.h"

namespace tessivar {

std::string ErrorBoxText(const std::string& message)
{
    // Compared as unsigned bytes: the last byte of a multibyte UTF-8 character
    // is 0x80 or above, like the code of any non-ASCII character.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

MachineError RangeCheckError()
{
    return {MachineError::Kind::RangeCheck, {TESSIVAR_MESSAGE("範囲チェックエラー")}};
}

MachineError SetOverflowError()
{
    return {MachineError::Kind::IntegerOverflow, {TESSIVAR_MESSAGE("整数のオーバーフロー")}};
}

MachineError NothingToExecuteError()
{
    return {MachineError::Kind::NothingToExecute, {TESSIVAR_MESSAGE("セットしてください。")}};
}

MachineError RegisterNumberError(std::int64_t lineNumber, std::int64_t registerNumber)
{
    return {MachineError::Kind::RegisterNumber,
            {TESSIVAR_MESSAGE("%1 行目: レジスタ R(%2) はありません（R(1)〜R(256)）"),
             {std::to_string(lineNumber), std::to_string(registerNumber)}}};
}

MachineError StepOverflowError(std::int64_t lineNumber, std::int64_t registerNumber)
{
    return {MachineError::Kind::IntegerOverflow,
            {TESSIVAR_MESSAGE("%1 行目: R(%2) の値が 64 ビット整数の範囲を超えます（整数のオーバーフロー）"),
             {std::to_string(lineNumber), std::to_string(registerNumber)}}};
}

} // namespace tessivar
