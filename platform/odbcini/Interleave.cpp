#include "odbcini/Interleave.h"

#include <map>

namespace hestova::odbcini {

namespace {

std::map<Moment, std::function<void()>> &actions()
{
    static std::map<Moment, std::function<void()>> put;
    return put;
}

int &refusal()
{
    static int error = 0;
    return error;
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

int exchangeRefusal()
{
    return refusal();
}

void setExchangeRefusal(int error)
{
    refusal() = error;
}

}  // namespace hestova::odbcini
