#pragma once

class QLineEdit;

namespace varnelle {

// Lets a box hold at most `characters` characters as the store counts them:
// a character outside the Basic Multilingual Plane (an emoji) counts once and
// is never split in half. Of typed or pasted text that does not fit, the
// part last inserted is cut, as a box's maximum length cuts it, and a
// notice under the box (a tooltip window named "limitNotice", a child of the
// box) tells how many characters were left out; when typing fills the box,
// the notice names the limit. NUL characters, which the
// store does not keep, are dropped.
void LimitToStoreLength(QLineEdit *box, int characters);

} // namespace varnelle
