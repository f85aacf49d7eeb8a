#include "store/DamageNote.h"

#include <atomic>

namespace varnelle {

namespace {

std::atomic<bool> damageNoted = false;

} // namespace

void NoteDamage() { damageNoted = true; }
void ForgetDamage() { damageNoted = false; }
bool DamageNoted() { return damageNoted; }

} // namespace varnelle
