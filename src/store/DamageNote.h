#pragma once

namespace varnelle {

// Damage met by any operation (the start-up check, a read, an edit) is noted
// for the rest of the run, so that the repair checks the file in full; the
// repair that replaces the file forgets it.
void NoteDamage();
void ForgetDamage();
bool DamageNoted();

} // namespace varnelle
