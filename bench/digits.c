/* digits.c: the sum of the decimal digits of 100 longs, taken apart by
   / and % 10. */
#include "console.h"

void main(void)
{
  long i, n;
  unsigned int total;

  total = 0;
  for (i = 1; i <= 100; i++) {
    n = i * 20000003;
    while (n > 0) {
      total = total + n % 10;
      n = n / 10;
    }
  }
  print_number(total);
}
