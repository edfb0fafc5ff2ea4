// Exact primality and divisors of numbers of up to 20 digits.
#pragma once
