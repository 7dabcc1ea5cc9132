#include "guardedtransition.h"

GuardedTransition::~GuardedTransition() = default;

bool GuardedTransition::eventTest(QEvent *event)
{
    return QSignalTransition::eventTest(event) && guard();
}
