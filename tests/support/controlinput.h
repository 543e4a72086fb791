#pragma once

#include <QString>

class QWidget;

// Plays a script of input events on a control, one space-separated step each:
//   press, release, dblclick       left button at the centre
//   releaseOut                     left release outside the control
//   rpress, rrelease               right button at the centre
//   moveOut, moveIn                pointer moves with the left button held
//   enter, leave                   pointer enters or leaves the control
//   down:KEY, up:KEY               key press or release (Space, Return, Enter, Shift,
//                                  Escape, Alt, A)
//   repeat:KEY                     an automatic repeat of a held key (release, then press)
// The events go straight to the control, as the platform delivers them.
void playInput(QWidget& control, const QString& script);
