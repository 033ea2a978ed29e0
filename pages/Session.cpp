#include "pages/Session.h"

namespace qimbel {

namespace {
int currentType = 0;
int detailLevel = 0;
bool typesetWanted = false;
} // namespace

int CurrentType() { return currentType; }

void SetCurrentType(int type) { currentType = type; }

int DetailLevel() { return detailLevel; }

void SetDetailLevel(int level) { detailLevel = level; }

bool TypesetWanted() { return typesetWanted; }

void SetTypesetWanted(bool wanted) { typesetWanted = wanted; }

void ResetSession()
{
    currentType = 0;
    detailLevel = 0;
    typesetWanted = false;
}

} // namespace qimbel
