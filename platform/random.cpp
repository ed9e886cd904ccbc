#include "platform/random.h"

#include <QRandomGenerator>

int RandomInt(int low, int high) {
    return QRandomGenerator::global()->bounded(low, high + 1);
}
