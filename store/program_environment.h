// Brevant Dira — what both programs change in their environment before
// anything else runs.
#pragma once

namespace brevant {

// Call first thing in main(), while the process has a single thread: the
// embedded engine gets lock and temporary folders private to the user (unless
// FIREBIRD_LOCK and FIREBIRD_TMP are set), and ISC_PASSWORD is taken out of
// the environment (ServerLogin still has it).
void PrepareProgramEnvironment();

} // namespace brevant
