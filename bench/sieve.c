/* sieve.c: counts the primes from 2 to 7999 by the sieve of Eratosthenes
   over an array of byte flags. */
#include "console.h"

#define LIMIT 7999

unsigned char flags[LIMIT + 1];

void main(void)
{
  unsigned int i, j, count;

  for (i = 0; i <= LIMIT; i++)
    flags[i] = 1;
  count = 0;
  for (i = 2; i <= LIMIT; i++)
    if (flags[i] == 1) {
      count++;
      for (j = i + i; j <= LIMIT; j += i)
        flags[j] = 0;
    }
  print_number(count);
}
