%%
a : A {  try {  check(x); >* / }
  ;
%%
