#include "pages/Session.h"

namespace qimbel {

namespace {
int currentType = 0;
int detailLevel = 0;
} // namespace

int CurrentType() { return currentType; }

void SetCurrentType(int type) { currentType = type; }

int DetailLevel() { return detailLevel; }

void SetDetailLevel(int level) { detailLevel = level; }

void ResetSession()
{
    currentType = 0;
    detailLevel = 0;
}

} // namespace qimbel
