#include "platform/runtime_error.h"

namespace tintavo {
namespace {

const char* AsciiName(RuntimeError::Number number) {
    switch (number) {
    case RuntimeError::kOverflow: return "Overflow";
    case RuntimeError::kTypeMismatch: return "Type mismatch";
    case RuntimeError::kInvalidPropertyValue: return "Invalid property value";
    }
    return "Run-time error";
}

std::u16string Description(RuntimeError::Number number) {
    switch (number) {
    case RuntimeError::kOverflow: return u"オーバーフローしました。";
    case RuntimeError::kTypeMismatch: return u"型が一致しません。";
    case RuntimeError::kInvalidPropertyValue: return u"プロパティの値が不正です。";
    }
    return u"実行時エラーです。";
}

}  // namespace

RuntimeError::RuntimeError(Number number)
    : std::runtime_error(AsciiName(number)), number_(number), description_(Description(number)) {}

}  // namespace tintavo
