/* console.h: output for the C versions of the benchmarks.  Every byte
   written to port 1 goes to z80run's console; print_number writes a number
   in decimal ended by CR LF, as a Pascal writeln does.  It takes an
   unsigned int, or an unsigned long when PRINT_LONG is defined first, so
   only the programs with a long result carry the 32-bit division. */
__sfr __at 0x01 console;

#ifdef PRINT_LONG
typedef unsigned long number;
#else
typedef unsigned int number;
#endif

static void print_number(number v)
{
  char digits[10];
  unsigned char n = 0;

  do {
    digits[n++] = '0' + v % 10;
    v /= 10;
  } while (v);
  while (n)
    console = digits[--n];
  console = '\r';
  console = '\n';
}
