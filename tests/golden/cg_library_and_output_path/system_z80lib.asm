; a library of three kinds of lines
__reg32a:
   defb 0,0,0,0

__reg32b: defb 0,0,0,0
