#include "mainwindow/CalculatorInputsCommand.h"

#include <QCoreApplication>

#include <iterator>

#include <utility>

namespace {
constexpr int kCommandId = 0x7a01;
}

CalculatorInputsCommand::CalculatorInputsCommand(const PlanCalculatorInputs &before, const PlanCalculatorInputs &after,
                                                 Show show)
    : m_before(before), m_after(after), m_show(std::move(show))
{
    //: Undo history: a change of the disk size, retention, hours or disk array ("Undo Change calculator input").
    setText(QCoreApplication::translate("PlanSession", "Change calculator input"));
}

unsigned CalculatorInputsCommand::changedInputs(const PlanCalculatorInputs &a, const PlanCalculatorInputs &b)
{
    const bool differs[] = {
        a.diskSize != b.diskSize,
        a.diskInTerabytes != b.diskInTerabytes,
        a.retentionPageHoursPerDay != b.retentionPageHoursPerDay,
        a.retention != b.retention,
        a.retentionUnit != b.retentionUnit,
        a.diskPageHoursPerDay != b.diskPageHoursPerDay,
        a.arrayDriveTB != b.arrayDriveTB,
        a.arrayDrives != b.arrayDrives,
        a.arrayLevel != b.arrayLevel,
        a.arraySpares != b.arraySpares,
    };
    unsigned bits = 0;
    for (unsigned i = 0; i < std::size(differs); ++i) {
        if (differs[i])
            bits |= 1u << i;
    }
    return bits;
}

int CalculatorInputsCommand::id() const
{
    return kCommandId;
}

bool CalculatorInputsCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const CalculatorInputsCommand *>(other);
    // Only more typing in the one field this step changed.
    const unsigned mine = changedInputs(m_before, m_after);
    if (mine == 0 || changedInputs(next->m_before, next->m_after) != mine ||
        changedInputs(m_after, next->m_before) != 0)
        return false;
    m_after = next->m_after;
    if (changedInputs(m_before, m_after) == 0)
        setObsolete(true);
    return true;
}

void CalculatorInputsCommand::redo()
{
    // Pushed once the change was made: nothing to do the first time.
    if (std::exchange(m_done, false))
        return;
    m_show(m_after);
}

void CalculatorInputsCommand::undo()
{
    m_show(m_before);
}
