#pragma once

class QLineEdit;

namespace varnelle {

// Lets a box hold at most `characters` characters as the store counts them:
// a character outside the Basic Multilingual Plane (an emoji) counts once and
// is never split in half. Of typed or pasted text that does not fit, the
// part last inserted is cut, as a box's maximum length cuts it. NUL
// characters, which the store does not keep, are dropped.
void LimitToStoreLength(QLineEdit *box, int characters);

} // namespace varnelle
