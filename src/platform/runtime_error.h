#pragma once

#include <stdexcept>
#include <string>

namespace tintavo {

// A run-time error of the forms layer, numbered as the program's users know them.
// Nothing in the program catches it: the platform shows it and ends the process.
class RuntimeError : public std::runtime_error {
public:
    enum Number : int {
        kOverflow = 6,
        kTypeMismatch = 13,
        kInvalidPropertyValue = 380,
    };

    explicit RuntimeError(Number number);

    Number number() const noexcept { return number_; }
    // The text shown in the error box, in the user interface's language.
    const std::u16string& description() const noexcept { return description_; }

private:
    Number number_;
    std::u16string description_;
};

}  // namespace tintavo
