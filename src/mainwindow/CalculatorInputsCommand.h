#pragma once

#include "model/PlanCalculatorInputs.h"

#include <QUndoCommand>

#include <functional>

// A change of the calculator's inputs on the plan's undo stack. The change is
// made already when the command is pushed; undo and redo show the inputs of
// either side. Typing on in the same field stays one step.
class CalculatorInputsCommand : public QUndoCommand
{
public:
    using Show = std::function<void(const PlanCalculatorInputs &)>;

    CalculatorInputsCommand(const PlanCalculatorInputs &before, const PlanCalculatorInputs &after, Show show);

    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;
    void redo() override;
    void undo() override;

private:
    // Which inputs differ between two states, one bit per input.
    static unsigned changedInputs(const PlanCalculatorInputs &a, const PlanCalculatorInputs &b);

    PlanCalculatorInputs m_before;
    PlanCalculatorInputs m_after;
    Show m_show;
    bool m_done = true;
};
