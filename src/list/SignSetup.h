#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>

// The sign a new project is started for: which of the five LED module types, how many modules stand
// side by side, and each module's colour code. A SignSetup comes only from ParseSignSetup, so every
// one of them is a sign the model can hold.

// Module size in dots, per LED Type in the setup dialog's order.
struct LedTypeSize {
    int width = 0;
    int height = 0;
};
inline constexpr std::array<LedTypeSize, 5> LedSize = {{{16, 16}, {24, 24}, {24, 32}, {32, 48}, {32, 32}}};

// The setup dialog's "LED Type" entries, in the order of LedSize: "16 X 16" … "32 X 32".
QStringList LedTypeCaptions();

inline constexpr int MinLedNumber = 1;
inline constexpr int MaxLedNumber = 16;

class SignSetup {
public:
    int ledType() const { return ledType_; }
    int LedNumber() const { return ledNumber_; }
    int LedWidthDot() const { return LedSize[static_cast<std::size_t>(ledType_)].width; }
    int WidthDot() const { return ledNumber_ * LedWidthDot(); }
    int HeightDot() const { return LedSize[static_cast<std::size_t>(ledType_)].height; }
    // Colour code 0..4 of module `module` (0 = leftmost), for module < LedNumber().
    int LedColor(int module) const { return ledColor_[static_cast<std::size_t>(module)]; }

private:
    friend struct SignSetupParser;
    int ledType_ = 0;
    int ledNumber_ = MinLedNumber;
    std::array<int, MaxLedNumber> ledColor_ = {};
};

// A checked setup, or the message that tells the operator what is wrong with the input.
struct CheckedSignSetup {
    std::optional<SignSetup> setup;
    QString error;
};

// Checks the setup as typed: `typeText` must be one of the LED Type entries, `numberText` a whole number
// (else the conversion message "'%s' is not a valid integer value") from 1 to 16, and `colorCodes` at
// most one code 0..4 per module; modules without a code are yellow.
CheckedSignSetup ParseSignSetup(const QString &typeText, const QString &numberText,
                                std::span<const int> colorCodes);

// The setup dialog's choices when it is created: "16 X 16", 8 modules, modules 4 and 5 red.
std::array<int, MaxLedNumber> DefaultSetupColors();
