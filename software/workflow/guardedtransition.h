// A signal transition that is taken only when its guard also agrees.
#pragma once

#include <QSignalTransition>

#include <functional>

class GuardedTransition : public QSignalTransition {
public:
    using Guard = std::function<bool()>;

    template <typename Func>
    GuardedTransition(const typename QtPrivate::FunctionPointer<Func>::Object *sender, Func signal, Guard guard,
                      QState *sourceState = nullptr)
        : QSignalTransition(sender, signal, sourceState), guard(std::move(guard))
    {
    }
    ~GuardedTransition() override;

protected:
    bool eventTest(QEvent *event) override;

private:
    Guard guard;
};
