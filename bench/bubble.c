/* bubble.c: bubble sort of 300 words filled by a linear congruential
   generator, then a checksum that depends on the order. */
#include "console.h"

#define LAST 299

unsigned int a[LAST + 1];

void main(void)
{
  unsigned int i, j, t, x, check;

  x = 1;
  for (i = 0; i <= LAST; i++) {
    x = x * 25173 + 13849;
    a[i] = x;
  }
  for (i = LAST; i >= 1; i--)
    for (j = 0; j <= i - 1; j++)
      if (a[j] > a[j + 1]) {
        t = a[j];
        a[j] = a[j + 1];
        a[j + 1] = t;
      }
  check = 0;
  for (i = 0; i <= LAST; i++)
    check = check * 31 + a[i];
  print_number(check);
}
