#pragma once

#include <QtGlobal>

namespace quelmar {

// The three components of the console text colour, each moved by its own
// arrows in steps of 5 and kept from 0 to 255. They start at 235, a light
// grey, so every value the arrows can reach is a multiple of 5.
class ColorValue {
  public:
    enum Component { Red, Green, Blue };

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
