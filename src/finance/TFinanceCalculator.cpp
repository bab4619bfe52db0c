#include "TFinanceCalculator.h"

#include "ERangeError.h"

namespace velorin::finance {

TFinanceCalculator::Instalment TFinanceCalculator::instalment(double amount, int term, double downPayment,
                                                              double monthlyRate, double vatRate)
{
    Instalment plan;
    plan.financed = amount - downPayment;
    plan.term = term == 0 ? 1 : term;
    plan.share = plan.financed / plan.term;
    for (int i = 1; i <= plan.term; ++i) {
        if (i > MaxTerm)
            throw ERangeError(QStringLiteral("Range check error"));
        plan.instalments[std::size_t(i)] = (i * monthlyRate + 100) * plan.share / 100;
        plan.sum = plan.sum + plan.instalments[std::size_t(i)];
    }
    plan.maturityDifference = plan.sum + downPayment - amount;
    plan.vat = (downPayment + plan.sum) * vatRate / 100;
    plan.totalBeforeVat = downPayment + plan.sum;
    plan.totalWithVat = downPayment + plan.sum + plan.vat;
    plan.monthly = (plan.totalWithVat - downPayment) / plan.term;
    return plan;
}

TFinanceCalculator::Interest TFinanceCalculator::interest(double cash, double rate)
{
    Interest result;
    const double factor = (100 + rate) / 100;
    result.total = cash * factor;
    result.maturityDifference = result.total - cash;
    return result;
}

} // namespace velorin::finance
