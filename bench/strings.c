/* strings.c: builds 100 strings of 20 letters a character at a time and
   compares each with the one before; counts how many are greater.  A
   string is a length byte followed by its characters, as in Pascal, with
   the same three operations: append a character, compare, assign. */
#include "console.h"

#define MAXLEN 40

typedef unsigned char string40[MAXLEN + 1];

string40 s, prev;

static void append_char(unsigned char *str, char c)
{
  if (str[0] < MAXLEN)
    str[++str[0]] = c;
}

/* Below 0 when a comes first, 0 when equal, above 0 when a comes last. */
static int compare(const unsigned char *a, const unsigned char *b)
{
  unsigned char n = a[0] < b[0] ? a[0] : b[0];
  unsigned char i;

  for (i = 1; i <= n; i++)
    if (a[i] != b[i])
      return a[i] < b[i] ? -1 : 1;
  return a[0] - b[0];
}

static void assign(unsigned char *to, const unsigned char *from)
{
  unsigned char n = from[0];
  unsigned char i;

  for (i = 0; i <= n; i++)
    to[i] = from[i];
}

void main(void)
{
  unsigned char k, i;
  unsigned int count;

  count = 0;
  prev[0] = 0;
  for (k = 1; k <= 100; k++) {
    s[0] = 0;
    for (i = 1; i <= 20; i++)
      append_char(s, 97 + (k * i) % 26);
    if (compare(s, prev) > 0)
      count++;
    if (compare(s, prev) == 0)
      count += 1000;
    assign(prev, s);
  }
  print_number(count);
}
