/* fib.c: the 20th Fibonacci number by the doubly recursive function. */
#include "console.h"

unsigned int fibonacci(unsigned int n)
{
  if (n < 2)
    return n;
  return fibonacci(n - 1) + fibonacci(n - 2);
}

void main(void)
{
  print_number(fibonacci(20));
}
