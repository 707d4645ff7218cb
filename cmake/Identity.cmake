# The names under which Veltrane is published. The version is the one of
# project(Veltrane VERSION ...); a desktop id must never change once installed.
set(VELTRANE_APP_ID "org.veltrane.veltrane" CACHE STRING
    "Reverse-DNS id of the desktop entry and the AppStream component")
set(VELTRANE_HOMEPAGE_URL "https://veltrane.org" CACHE STRING
    "Home page named by the package and the AppStream metainfo (the screenshot lies under it)")
set(VELTRANE_MAINTAINER "Veltrane developers <maintainers@veltrane.org>" CACHE STRING
    "Maintainer of the Debian package")
# The day this version was released: manual pages, metainfo and changelog.
set(VELTRANE_RELEASE_DATE "2026-12-08")
