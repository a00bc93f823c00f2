#pragma once

#include <QtGlobal>

namespace quelmar {

// The three components of the console text colour, each moved by its own
// arrows in steps of 5 and kept from 0 to 255. They start at 235, a light
// grey, so every value the arrows can reach is a multiple of 5.
class ColorValue {
  public:
    enum Component { Red, Green, Blue };

    ColorValue() = default;
    // A start the arrows can work from: each part a multiple of 5 up to 255.
    ColorValue(qint16 red, qint16 green, qint16 blue) : c_{red, green, blue} {}
    static bool holds(int part) { return part >= 0 && part <= 255 && part % 5 == 0; }

    qint16 R() const { return c_[Red]; }
    qint16 G() const { return c_[Green]; }
    qint16 B() const { return c_[Blue]; }
    qint16 value(Component c) const { return c_[c]; }

    void up(Component c);
    void down(Component c);

  private:
    qint16 c_[3] = {235, 235, 235};
};

} // namespace quelmar
