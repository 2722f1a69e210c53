/* crc8.c: CRC-8 (polynomial 07h) over 2000 bytes made by a byte-wide
   linear congruential generator. */
#include "console.h"

#define LAST 1999

unsigned char data[LAST + 1];

void main(void)
{
  unsigned int k;
  unsigned char x, crc, bit;

  x = 7;
  for (k = 0; k <= LAST; k++) {
    x = x * 109 + 89;
    data[k] = x;
  }
  crc = 0;
  for (k = 0; k <= LAST; k++) {
    crc ^= data[k];
    for (bit = 1; bit <= 8; bit++)
      if (crc & 0x80)
        crc = (crc << 1) ^ 0x07;
      else
        crc = crc << 1;
  }
  print_number(crc);
}
