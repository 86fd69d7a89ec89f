// The yardstick for tarvi-calc --exact P 32767: a plain C++ program that
// computes 32767! with GMP and prints its digits.

#include <gmpxx.h>

#include <cstdio>
#include <string>

int main()
{
    mpz_class factorial;
    mpz_fac_ui(factorial.get_mpz_t(), 32767);
    const std::string digits = factorial.get_str();
    return std::printf("%s\n", digits.c_str()) > 0 ? 0 : 1;
}
