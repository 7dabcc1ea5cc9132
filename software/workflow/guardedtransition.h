// A signal transition that is taken only when its guard also agrees. The guard
// may look at the signal's arguments (which device a result is about).
#pragma once

#include <QSignalTransition>
#include <QVariantList>

#include <functional>

class GuardedTransition : public QSignalTransition {
public:
    using Guard = std::function<bool(const QVariantList &arguments)>;

    template <typename Func>
    GuardedTransition(const typename QtPrivate::FunctionPointer<Func>::Object *sender, Func signal, Guard guard,
                      QState *sourceState = nullptr)
        : QSignalTransition(sender, signal, sourceState), guard(std::move(guard))
    {
    }
    // A guard that needs no arguments.
    template <typename Func>
    GuardedTransition(const typename QtPrivate::FunctionPointer<Func>::Object *sender, Func signal,
                      std::function<bool()> guard, QState *sourceState = nullptr)
        : GuardedTransition(sender, signal, Guard([guard = std::move(guard)](const QVariantList &) { return guard(); }),
                            sourceState)
    {
    }
    ~GuardedTransition() override;

protected:
    bool eventTest(QEvent *event) override;

private:
    Guard guard;
};
