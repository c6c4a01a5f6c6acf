%%
a : A ; // no line feed