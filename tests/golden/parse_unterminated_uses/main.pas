program p;
uses crt, dos
