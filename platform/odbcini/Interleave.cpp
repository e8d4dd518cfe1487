#include "odbcini/Interleave.h"

#include <map>

namespace hestova::odbcini {

namespace {

std::map<Moment, std::function<void()>> &actions()
{
    static std::map<Moment, std::function<void()>> put;
    return put;
}

}  // namespace

void interleave(Moment moment)
{
    const auto found = actions().find(moment);
    if (found != actions().end() && found->second)
        found->second();
}

void setInterleaved(Moment moment, std::function<void()> action)
{
    actions()[moment] = std::move(action);
}

}  // namespace hestova::odbcini
