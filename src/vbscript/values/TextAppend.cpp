// The appends under way on this thread, innermost first: a tail may itself run a statement
// that appends to another member, or to the same one.
#include "vbscript/values/TextAppend.h"

namespace kestrelon::vbs {
namespace {

thread_local PendingAppend* t_innermost = nullptr;

} // namespace

PendingAppend::PendingAppend(const std::string& target) : m_target(&target), m_outer(t_innermost)
{
    t_innermost = this;
}

PendingAppend::~PendingAppend()
{
    t_innermost = m_outer;
}

void PendingAppend::noteWrite(const std::string& target)
{
    for (PendingAppend* pending = t_innermost; pending; pending = pending->m_outer) {
        if (pending->m_target == &target && !pending->m_before)
            pending->m_before = target;
    }
}

} // namespace kestrelon::vbs
