// The two process-wide values that connect the pages with the solver: the current problem type
// (set by type buttons and tab selection, read by compute and the example button) and the detail
// level (recomputed from the option boxes at every compute).
#pragma once

namespace qimbel {

int CurrentType();
void SetCurrentType(int type);

int DetailLevel();
void SetDetailLevel(int level);

// The view the pupil chose for worked texts on every problem page, kept for the run: 课本排版
// (typeset) when true, 纯文本 when false.
bool TypesetWanted();
void SetTypesetWanted(bool wanted);

// Back to the values of a fresh process: type 0, level 0, 纯文本.
void ResetSession();

} // namespace qimbel
