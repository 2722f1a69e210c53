;; crt0.s: start-up code for the C versions of the benchmarks, built with
;; sdcc -mz80 --no-std-crt0 and linked first, so it lands at the code
;; location 08000h where z80run's flat machine starts.  It sets the stack
;; below the code (as tarnwick's programs do), copies the initial values of
;; static variables, runs main and ends the run with HALT.
	.module crt0
	.globl	_main
	.globl	l__INITIALIZER
	.globl	s__INITIALIZER
	.globl	s__INITIALIZED

	.area	_CODE
	ld	sp, #0x8000
	ld	bc, #l__INITIALIZER
	ld	a, b
	or	a, c
	jr	z, run
	ld	de, #s__INITIALIZED
	ld	hl, #s__INITIALIZER
	ldir
run:
	call	_main
	halt

	.area	_INITIALIZER
	.area	_HOME
	.area	_GSINIT
	.area	_GSFINAL
	.area	_DATA
	.area	_INITIALIZED
	.area	_BSEG
	.area	_BSS
	.area	_HEAP
