#include "guardedtransition.h"

#include <QStateMachine>

GuardedTransition::~GuardedTransition() = default;

bool GuardedTransition::eventTest(QEvent *event)
{
    return QSignalTransition::eventTest(event)
           && guard(static_cast<QStateMachine::SignalEvent *>(event)->arguments());
}
