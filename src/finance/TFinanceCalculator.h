#pragma once

#include <array>

namespace velorin::finance {

// The arithmetic of the calculator page, apart from any widget: an instalment plan with
// simple monthly interest and VAT, and an interest rate added to a cash amount. Rates are in
// percent. Every quantity is a double, evaluated in the order the page's users rely on.
class TFinanceCalculator
{
public:
    // The longest term the table of monthly instalments holds.
    static constexpr int MaxTerm = 100;

    struct Instalment
    {
        int term = 0;                                  // months, 0 taken as 1
        double financed = 0;                           // amount less down payment
        double share = 0;                              // principal repaid each month
        std::array<double, MaxTerm + 1> instalments{}; // instalments[i]: month i (1..term)
        double sum = 0;                                // all instalments
        double maturityDifference = 0;
        double vat = 0; // on down payment and instalments together
        double totalBeforeVat = 0;
        double totalWithVat = 0;
        double monthly = 0; // everything but the down payment, spread over the term
    };

    struct Interest
    {
        double total = 0;
        double maturityDifference = 0;
    };

    // Throws ERangeError "Range check error" when the plan reaches month MaxTerm + 1.
    static Instalment instalment(double amount, int term, double downPayment, double monthlyRate,
                                 double vatRate);
    static Interest interest(double cash, double rate);
};

} // namespace velorin::finance
