%%
a : A { if (x) { y(); }
  ;
