// The two process-wide values that connect the pages with the solver: the current problem type
// (set by type buttons and tab selection, read by compute and the example button) and the detail
// level (recomputed from the option boxes at every compute).
#pragma once

namespace qimbel {

int CurrentType();
void SetCurrentType(int type);

int DetailLevel();
void SetDetailLevel(int level);

// Back to the values of a fresh process: type 0, level 0.
void ResetSession();

} // namespace qimbel
