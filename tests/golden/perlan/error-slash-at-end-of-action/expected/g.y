%%
a : A { x = y /