#include "vbscript/syntax/SelfAppend.h"

#include "vbscript/host/HostBinding.h"

namespace kestrelon::vbs {
namespace {

bool isConcatenation(const Expr& expression)
{
    return expression.kind == ExprKind::Binary &&
           static_cast<const BinaryExpr&>(expression).op == BinaryOp::Concatenate;
}

bool sameName(const Expr& a, const Expr& b)
{
    return a.kind == ExprKind::Name && b.kind == ExprKind::Name &&
           static_cast<const NameExpr&>(a).folded == static_cast<const NameExpr&>(b).folded;
}

bool sameMember(const Expr& a, const Expr& b)
{
    if (a.kind != ExprKind::Member || b.kind != ExprKind::Member)
        return false;
    const auto& ma = static_cast<const MemberExpr&>(a);
    const auto& mb = static_cast<const MemberExpr&>(b);
    return sameName(*ma.object, *mb.object) && binding::foldName(ma.name) == binding::foldName(mb.name);
}

} // namespace

const Expr& chainStart(const Expr& value)
{
    const Expr* leftmost = &value;
    while (isConcatenation(*leftmost))
        leftmost = static_cast<const BinaryExpr*>(leftmost)->left.get();
    return *leftmost;
}

bool appendsToItself(const AssignStmt& statement)
{
    if (statement.isSet || !isConcatenation(*statement.value))
        return false;
    const Expr& start = chainStart(*statement.value);
    return sameName(*statement.target, start) || sameMember(*statement.target, start);
}

} // namespace kestrelon::vbs
