/* A Windows program that does nothing; it exists for its icon resources
   (see iconsample.rc for how it is built). */
int main(void)
{
    return 0;
}
