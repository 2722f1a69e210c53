/* squares.c: the sum of i * i for the long i from 1 to 2000. */
#define PRINT_LONG
#include "console.h"

void main(void)
{
  long i;
  unsigned long sum;

  sum = 0;
  for (i = 1; i <= 2000; i++)
    sum = sum + i * i;
  print_number(sum);
}
